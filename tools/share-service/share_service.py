#!/usr/bin/python3
"""Reference range-sharing service: the server side of the share-link protocol.

Written independently of the client, from the protocol description, so that talking to it is a
real check of the client's bytes. It serves two POST exchanges on 127.0.0.1:

  /BDUD?t=ras_publickey        body {"type":"ras_publickey"}
                               answer {"publickey": "<PEM SubjectPublicKeyInfo>"}
  /BDUD?t=functionBDShareLink  body {"data":"<hex AES-128-ECB>","aes_key": "<Base64 RSA>"}
                               answer hexadecimal text of the AES-encrypted JSON answer

A fresh 2048-bit RSA key is made at every start. Every request is checked byte for byte; a
request that is off gets an error answer and the reason on standard error. The chosen port is
printed as "PORT <n>" on standard output once the service listens.

Fault modes (--fault, or POST /control?fault=NAME&step=N&delay=S while running):
  none         normal answers
  error-code   the answer carries "error_code" 1 and a message
  empty-list   the answer carries an empty "share_list"
  http-500     the chosen step answers HTTP status 500
  delay        the chosen step answers after --delay seconds
  bad-hex      the answer of step 2 is not hexadecimal
  non-json     the chosen step answers text that is not JSON (step 2: encrypted garbage)
GET /last returns the last range request the service decoded, as JSON ({} before any).
"""

import argparse
import base64
import binascii
import json
import re
import secrets
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlparse

from cryptography.hazmat.primitives import serialization
from cryptography.hazmat.primitives.asymmetric import padding, rsa
from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes

BLOCK = 16
KEY_BODY = b'{"type":"ras_publickey"}'
SHARE_BODY = re.compile(rb'\{"data":"([0-9a-f]*)","aes_key": "([A-Za-z0-9+/]*={0,2})"\}')
NUMBER = r'(-?[0-9][0-9.e+-]*)'
RANGE_BODY = re.compile(
    r'\{"extent_minx": ' + NUMBER + r',"extent_miny": ' + NUMBER + r',"extent_maxx": ' + NUMBER
    + r',"extent_maxy": ' + NUMBER + r',"tile_model": 2,"Level": 10,"period": 1,"adcode": "([^"]*)"\}')
REQUEST_KEY = re.compile(rb'[0-9A-F]{16}')


class Refused(Exception):
    """A request that breaks the protocol; the text says where."""


def aes_ecb(key, data, encrypt):
    """AES-128-ECB over whole blocks; a partial last block is zero-filled, nothing is added."""
    data = data + b'\0' * (-len(data) % BLOCK)
    cipher = Cipher(algorithms.AES(key), modes.ECB())
    worker = cipher.encryptor() if encrypt else cipher.decryptor()
    return worker.update(data) + worker.finalize()


def g6(text):
    """True when text is what printf's %g (six significant digits) writes for its value."""
    try:
        return '%g' % float(text) == text
    except ValueError:
        return False


class Service:
    def __init__(self, fault, step, delay):
        self.key = rsa.generate_private_key(public_exponent=65537, key_size=2048)
        self.pem = self.key.public_key().public_bytes(
            serialization.Encoding.PEM, serialization.PublicFormat.SubjectPublicKeyInfo).decode()
        self.lock = threading.Lock()
        self.fault, self.step, self.delay = fault, step, delay
        self.last = {}

    def decode_share_request(self, body):
        match = SHARE_BODY.fullmatch(body)
        if not match:
            raise Refused('step 2 body layout: %r' % body[:120])
        data_hex, key_b64 = match.groups()
        if len(data_hex) % (2 * BLOCK):
            raise Refused('data is %d hex digits, not whole blocks' % len(data_hex))
        try:
            request_key = self.key.decrypt(base64.b64decode(key_b64, validate=True),
                                           padding.PKCS1v15())
        except (ValueError, binascii.Error) as error:
            raise Refused('aes_key does not decrypt: %s' % error)
        if not REQUEST_KEY.fullmatch(request_key):
            raise Refused('request key is not 16 upper-case hex characters: %r' % request_key)
        plain = aes_ecb(request_key, bytes.fromhex(data_hex.decode()), encrypt=False)
        text = plain.rstrip(b'\0')
        if len(plain) - len(text) >= BLOCK:
            raise Refused('a whole block of zero fill: the body was padded, not zero-filled')
        try:
            text = text.decode('gb18030')
        except UnicodeDecodeError:
            raise Refused('range request is not GB18030 text')
        fields = RANGE_BODY.fullmatch(text)
        if not fields:
            raise Refused('range request layout: %r' % text)
        for number in fields.groups()[:4]:
            if not g6(number):
                raise Refused('%s is not written with six significant digits' % number)
        return request_key, fields.groups()

    def answer(self, request_key, adcode):
        if self.fault == 'error-code':
            reply = {'error_code': 1, 'message': 'share refused'}
        elif self.fault == 'empty-list':
            reply = {'error_code': 0, 'share_list': []}
        else:
            reply = {'error_code': 0, 'share_list': [{
                'share_url': 'https://pan.baidu.com/s/1' + adcode + 'Range',
                'share_pwd': secrets.choice(['a1b2', 'c3d4', 'e5f6'])}]}
        plain = json.dumps(reply, ensure_ascii=False).encode()
        if self.fault == 'non-json' and self.step == 2:
            plain = b'<html>not json</html>'
        cipher = aes_ecb(request_key, plain, encrypt=True).hex()
        return 'zz' + cipher[2:] if self.fault == 'bad-hex' else cipher


class Handler(BaseHTTPRequestHandler):
    service = None  # set by main()

    def log_message(self, fmt, *args):
        sys.stderr.write('share-service: ' + fmt % args + '\n')

    def reply(self, status, body, content_type='application/json'):
        data = body.encode() if isinstance(body, str) else body
        self.send_response(status)
        self.send_header('Content-Type', content_type)
        self.send_header('Content-Length', str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        if urlparse(self.path).path == '/last':
            with self.service.lock:
                self.reply(200, json.dumps(self.service.last))
        else:
            self.reply(404, 'not found', 'text/plain')

    def do_POST(self):
        url = urlparse(self.path)
        query = parse_qs(url.query)
        body = self.rfile.read(int(self.headers.get('Content-Length', 0)))
        service = self.service
        if url.path == '/control':
            with service.lock:
                service.fault = query.get('fault', ['none'])[0]
                service.step = int(query.get('step', ['2'])[0])
                service.delay = float(query.get('delay', [str(service.delay)])[0])
            return self.reply(200, '{}')
        if url.path != '/BDUD' or query.get('t') not in (['ras_publickey'], ['functionBDShareLink']):
            return self.reply(404, 'not found', 'text/plain')
        step = 1 if query['t'] == ['ras_publickey'] else 2
        with service.lock:
            fault, fault_step, delay = service.fault, service.step, service.delay
        if fault_step == step and fault == 'delay':
            time.sleep(delay)
        if fault_step == step and fault == 'http-500':
            return self.reply(500, 'internal error', 'text/plain')
        if step == 1:
            if body != KEY_BODY:
                self.log_message('refused step 1 body %r', body[:120])
                return self.reply(400, 'bad key request', 'text/plain')
            if fault_step == 1 and fault == 'non-json':
                return self.reply(200, 'not json', 'text/plain')
            return self.reply(200, json.dumps({'publickey': service.pem}))
        try:
            request_key, fields = service.decode_share_request(body)
        except Refused as why:
            self.log_message('refused: %s', why)
            return self.reply(400, 'refused: %s' % why, 'text/plain')
        with service.lock:
            service.last = dict(zip(['extent_minx', 'extent_miny', 'extent_maxx', 'extent_maxy',
                                     'adcode'], fields))
        self.reply(200, service.answer(request_key, fields[4]), 'text/plain')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--port', type=int, default=0, help='port on 127.0.0.1 (0: any free one)')
    parser.add_argument('--fault', default='none',
                        choices=['none', 'error-code', 'empty-list', 'http-500', 'delay', 'bad-hex',
                                 'non-json'])
    parser.add_argument('--step', type=int, default=2, choices=[1, 2],
                        help='the step that http-500, delay and non-json apply to')
    parser.add_argument('--delay', type=float, default=12.0, help='seconds of the delay fault')
    args = parser.parse_args()
    Handler.service = Service(args.fault, args.step, args.delay)
    server = ThreadingHTTPServer(('127.0.0.1', args.port), Handler)
    server.daemon_threads = True
    print('PORT %d' % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == '__main__':
    main()
